#include "output/fresultatcomb.h"

Tfresultatcomb::Tfresultatcomb(QWidget *parent)
    : TQuillonDialog(parent, 671, 353)
{
}
