// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qtservices.h"

#include "platform/pdffilesprintdevice.h"
#include "platform/pictureprintdevice.h"
#include "platform/qtprintdevice.h"

using namespace quillon;

QtServices::QtServices()
{
    PlatformServices &services = platform();
    services.prompts = &m_prompts;
    services.shell = &m_shell;
    services.openDefaultPrinter = [] { return std::make_unique<QtPrintDevice>(); };
    installPrinterlessDevices(services);
}

QtServices::~QtServices()
{
    platform() = PlatformServices {};
}

void installPrinterlessDevices(PlatformServices &services)
{
    services.openPdfFiles = [] { return std::make_unique<PdfFilesPrintDevice>(); };
    services.openPagePictures = [] { return PicturePrintDevice::likeDefaultPrinter(); };
}
