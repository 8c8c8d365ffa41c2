#include "compare/fcompare.h"

Tfcompare::Tfcompare(QWidget *parent)
    : TQuillonDialog(parent, 687, 429)
{
}
