#pragma once

#include "app/dialogbase.h"

class Tfcompare : public TQuillonDialog {
    Q_OBJECT
public:
    explicit Tfcompare(QWidget *parent = nullptr);
};
