// Opens a file with the desktop's default viewer.
#pragma once

#include "app/platform.h"

class QtShell : public quillon::Shell {
public:
    void openFile(const QString &path) override;
};
