// The image part of brenno-cli: draws the graph with the desktop application's
// graph code.
#include "cli/graph_image.h"

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <string>
#include <type_traits>

#include "view/image_export.h"

namespace {

// Standard error carries the run's message alone: Qt's notes about the
// session environment (no runtime directory, no display) are not for the user.
void quietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

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
    qInstallMessageHandler(quietQtNotes);
    static QGuiApplication application(argc, argv);
}

}  // namespace

// The image part's entry point, looked up by name when brenno-cli loads it.
extern "C" bool brennoWriteGraphImage(const std::string& path, const ViewData& view, std::string& error)
{
    ensureGuiApplication();
    QString reason;
    const ImageStatus status = saveGraphImage(QFile::decodeName(path.c_str()), view, GraphFonts{}, &reason);
    if (status >= 0)
        return true;
    error = path + ": " + saveImageFailedText(status).replace('\n', ' ').toStdString() + ": " + reason.toStdString();
    return false;
}

static_assert(std::is_same_v<decltype(&brennoWriteGraphImage), ImagePartEntry>,
              "the entry point has the type brenno-cli calls it by");
