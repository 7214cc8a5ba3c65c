// The settings store: window and pane layout and the application look, nothing else.
#pragma once
#include <QSettings>
#include <memory>

std::unique_ptr<QSettings> openAppSettings();
