#include "cli/graph_image.h"

#include <QFile>
#include <QGuiApplication>

#include "view/image_export.h"

namespace {

// Fonts and painters need a GUI application; the offscreen platform needs no display.
void ensureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "brenno-cli";
    static char* argv[] = {name, nullptr};
    static QGuiApplication application(argc, argv);
}

}  // namespace

bool writeGraphImage(const std::string& path, const ViewData& view, std::string& error)
{
    ensureGuiApplication();
    const ImageStatus status = saveGraphImage(QFile::decodeName(path.c_str()), view, GraphFonts{});
    if (status >= 0)
        return true;
    error = path + ": " + saveImageFailedText(status).replace('\n', ' ').toStdString();
    return false;
}
