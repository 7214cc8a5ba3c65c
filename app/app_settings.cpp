#include "app/app_settings.h"

std::unique_ptr<QSettings> openAppSettings()
{
    return std::make_unique<QSettings>(QStringLiteral("Drux-Brenno-AppType003"), QStringLiteral("Brenno"));
}
