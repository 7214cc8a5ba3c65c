#include "panes/edit_text_wnd.h"

#include <QAction>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/command_ids.h"
#include "app/command_table.h"
#include "panes/font_dialog.h"

namespace {

const char kSampleProgram[] =
    "H(s) = (1-exp(-s*1.2))/s;\r\n"
    "FREQ 0.1, 10, 80, GEO;\r\n"
    "TIME 0.01, 5, 80;\r\n"
    "FILT 4.0, 0.0, 4.0, 0.2;\r\n"
    "PROBE H(s);\r\n"
    "/* 0-order Hold (sampling period 1.2sec) */\r\n";

// Courier New where it exists; Liberation Mono has the same metrics.
QFont sampleFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")});
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(16);
    font.setWeight(QFont::Normal);
    return font;
}

bool isPlainTab(const QKeyEvent& key)
{
    const bool tabKey = key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
    return tabKey && !(key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
}

}  // namespace

CEditTextWnd::CEditTextWnd(QWidget* parent)
    : QDockWidget(parent), toolBar_(new QToolBar(this)), edit_(new QPlainTextEdit(this))
{
    auto* client = new QWidget(this);
    auto* layout = new QVBoxLayout(client);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    createToolBar();
    layout->addWidget(toolBar_);
    layout->addWidget(edit_);
    setWidget(client);
    setFocusProxy(edit_);

    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->installEventFilter(this);
    connect(edit_->document(), &QTextDocument::modificationChanged, this, &CEditTextWnd::modificationChanged);
    ApplyEditorFont(sampleFont());
    SetText(QString::fromUtf8(kSampleProgram));
}

QString CEditTextWnd::Text() const
{
    return edit_->toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n"));
}

void CEditTextWnd::SetText(const QString& text)
{
    edit_->setPlainText(text);
    SetUnmodified();
}

bool CEditTextWnd::IsModified() const { return edit_->document()->isModified(); }

void CEditTextWnd::SetUnmodified() { edit_->document()->setModified(false); }

void CEditTextWnd::OnEditorFont()
{
    if (const std::optional<QFont> font = askFont(edit_->font(), this, FontEffects::Offered))
        ApplyEditorFont(*font);
}

void CEditTextWnd::ApplyEditorFont(const QFont& font)
{
    edit_->setFont(font);
    edit_->document()->setDocumentMargin(4);
    // Tab stops every two average character widths.
    edit_->setTabStopDistance(2 * QFontMetrics(font).averageCharWidth());
    edit_->update();
}

bool CEditTextWnd::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == edit_ && event->type() == QEvent::KeyPress && isPlainTab(*static_cast<QKeyEvent*>(event))) {
        insertTabAtCaret();
        return true;
    }
    return QDockWidget::eventFilter(watched, event);
}

void CEditTextWnd::createToolBar()
{
    toolBar_->setMovable(false);
    toolBar_->setFloatable(false);
    toolBar_->setIconSize(QSize(16, 16));
    constexpr int kSeparator = 0;
    const int buttons[] = {ID_FILE_OPEN, ID_FILE_SAVE, ID_EDITOR_FONT, kSeparator, ID_BODE_ANALYSIS, ID_FILT_ANALYSIS};
    for (int id : buttons) {
        if (id == kSeparator) {
            toolBar_->addSeparator();
            continue;
        }
        QAction* action = makeCommandAction(id, toolBar_, WithShortcuts::No);
        connect(action, &QAction::triggered, this, [this, id] {
            if (id == ID_EDITOR_FONT)
                OnEditorFont();
            else
                emit commandSent(id);
        });
        toolBar_->addAction(action);
    }
}

// A selection is not replaced: it is cancelled and the tab goes in at the caret.
void CEditTextWnd::insertTabAtCaret()
{
    QTextCursor cursor = edit_->textCursor();
    cursor.clearSelection();
    cursor.insertText(QStringLiteral("\t"));
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
}
