// The small dialogs of a ruler, help and web links, the update check.
#include "gradora.h"

#include "settings.h"

void Gradora::setTransparency() {}
void Gradora::setManualSet() {}
void Gradora::posChangedL(int) {}
void Gradora::posChangedT(int) {}
void Gradora::posChangedW(int) {}
void Gradora::posChangedH(int) {}
void Gradora::help() {}
void Gradora::suggest() {}
void Gradora::onlineHelpLink() {}
void Gradora::setCheckForUpdates()
{
    if (settings)
        settings->sendVersionRequest(true);
}
