#include "storage/fparametre.h"

Tfparametre::Tfparametre(QWidget *parent)
    : TQuillonDialog(parent, 429, 254)
{
}
