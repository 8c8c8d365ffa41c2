#pragma once

#include "app/dialogbase.h"

class Tfparametre : public TQuillonDialog {
    Q_OBJECT
public:
    explicit Tfparametre(QWidget *parent = nullptr);
};
