// The displayed graph as an image file: the whole canvas, drawn off-screen
// without the selection marks, in the format that the file's extension names.
#pragma once
#include <cstdint>

#include <QImage>
#include <QString>

#include "analysis/view_data.h"
#include "view/graph_fonts.h"

// Status codes in the form the failure message shows them.
using ImageStatus = int32_t;
constexpr ImageStatus kImageSaved = 0;
constexpr ImageStatus kImageSaveFailed = static_cast<ImageStatus>(0x80004005u);

// The canvas at its pixel size, white, with the graph and no selection marks;
// the graph fills the canvas when the view's fitGraphToImage asks for it.
QImage renderGraphImage(const ViewData& view, const GraphFonts& fonts);

// Writes the graph to path: .bmp, .jpg/.jpeg, .png and .tif/.tiff as
// pixels, .svg and .pdf as vector drawings, the extension in any case. An
// unknown extension, an unwritable path or a failed encoder give
// kImageSaveFailed (and the reason, when asked for), and leave any existing
// file as it was.
ImageStatus saveGraphImage(const QString& path, const ViewData& view, const GraphFonts& fonts,
                           QString* reason = nullptr);

// "Save image failed:" and the status in lower-case hexadecimal.
QString saveImageFailedText(ImageStatus status);
