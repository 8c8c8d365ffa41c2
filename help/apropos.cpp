#include "help/apropos.h"

Tapropos::Tapropos(QWidget *parent)
    : TQuillonDialog(parent, 465, 319)
{
}
