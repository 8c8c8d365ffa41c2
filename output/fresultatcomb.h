#pragma once

#include "app/dialogbase.h"

class Tfresultatcomb : public TQuillonDialog {
    Q_OBJECT
public:
    explicit Tfresultatcomb(QWidget *parent = nullptr);
};
