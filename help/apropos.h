#pragma once

#include "app/dialogbase.h"

class Tapropos : public TQuillonDialog {
    Q_OBJECT
public:
    explicit Tapropos(QWidget *parent = nullptr);
};
