#include "output/fimprime.h"

Tfimprime::Tfimprime(QWidget *parent)
    : TQuillonDialog(parent, 508, 215)
{
}
