#pragma once

#include "app/dialogbase.h"

class Tfimprime : public TQuillonDialog {
    Q_OBJECT
public:
    explicit Tfimprime(QWidget *parent = nullptr);
};
