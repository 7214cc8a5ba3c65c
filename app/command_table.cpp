#include "app/command_table.h"

#include <QAction>
#include <QKeySequence>
#include <QStringList>

#include "app/command_ids.h"

namespace {

const CommandInfo kCommands[] = {
    {ID_FILE_NEW, "新規作成(&N)", "Ctrl+N", "新規にファイルを作成\n新規ファイル", "new"},
    {ID_FILE_OPEN, "プログラム ソースを開く(&O)...", "Ctrl+O", "既存のファイルを開く\n開く", "open"},
    {ID_FILE_SAVE, "プログラム ソースを保存(&S)", "Ctrl+S", "作業中のソースプログラムを保存\n保存", "save"},
    {ID_SAVE_GRAPH_IMAGE, "表示グラフを保存 ...", "", "表示グラフをファイル保存\n表示グラフを保存", nullptr},
    {ID_IMAGE_SIZE, "画像サイズ変更 ...", "", "保存画像サイズを変更します。\n画像サイズ変更", nullptr},
    {ID_APP_EXIT, "アプリケーションの終了(&X)", "", "アプリケーションを終了し、ファイルの保存を指示\n終了", nullptr},
    {ID_EDIT_UNDO, "元に戻す(&U)", "Ctrl+Z; Alt+Backspace", "直前に行った動作を元に戻す\n元に戻す", nullptr},
    {ID_EDIT_CUT, "切り取り(&T)", "Ctrl+X; Shift+Del", "選択範囲を切り取ってクリップボードに移動\n切り取り", "cut"},
    {ID_EDIT_COPY, "コピー(&C)", "Ctrl+C; Ctrl+Ins", "選択範囲をコピーしてクリップボードに保存\nコピー", "copy"},
    {ID_EDIT_PASTE, "貼り付け(&P)", "Ctrl+V; Shift+Ins", "クリップボードの内容を挿入\n貼り付け", "paste"},
    {ID_BODE_ANALYSIS, "ソース → ボード線図", "", "ソースをコンパイルしボード線図を作成\nボード線図 作成", "bode"},
    {ID_FILT_ANALYSIS, "ソース → 数値ラプラス逆変換", "",
     "ソースをコンパイルし数値ラプラス逆変換を実行\n数値ラプラス逆変換 実行", "filt"},
    {ID_EDITOR_FONT, "ソースエディタ フォント ...", "", "ソースエディタ内のフォントを変更\nソースエディタ フォント",
     "font"},
    {ID_SAVE_GRAPH_CSV, "グラフデータ ファイル (CSV) 保存 ...", "",
     "表示中のグラフデータをファイル保存\nグラフデータ ファイル保存", "csv"},
    {ID_VIEW_TOOLBAR, "ツール バーとドッキング ウィンドウ(&T)", "", "ツール バーの表示/非表示\nツール バーの表示切り替え",
     nullptr},
    {ID_VIEW_STATUS_BAR, "ステータス バー(&S)", "", "ステータス バーの表示/非表示\nステータス バーの表示切り替え",
     nullptr},
    {ID_VIEW_CUSTOMIZE, "カスタマイズ...", "", "", nullptr},
    {ID_VIEW_APPLOOK_WIN_2000, "Windows 2000(&2)", "", "", nullptr},
    {ID_VIEW_APPLOOK_OFF_XP, "Office XP(&X)", "", "", nullptr},
    {ID_VIEW_APPLOOK_WIN_XP, "Windows XP(&W)", "", "", nullptr},
    {ID_VIEW_APPLOOK_OFF_2003, "Office 2003(&3)", "", "", nullptr},
    {ID_VIEW_APPLOOK_VS_2005, "Visual Studio 200&5", "", "", nullptr},
    {ID_VIEW_APPLOOK_VS_2008, "Visual Studio 200&8", "", "", nullptr},
    {ID_VIEW_APPLOOK_OFF_2007_BLUE, "ブルー スタイル(&B)", "", "", nullptr},
    {ID_VIEW_APPLOOK_OFF_2007_BLACK, "ブラック スタイル(&L)", "", "", nullptr},
    {ID_VIEW_APPLOOK_OFF_2007_SILVER, "シルバー スタイル(&S)", "", "", nullptr},
    {ID_VIEW_APPLOOK_OFF_2007_AQUA, "アクア スタイル(&A)", "", "", nullptr},
    {ID_APP_ABOUT, "バージョン情報 Brenno(&A)...", "", "プログラム情報、バージョン、著作権を表示します。\nバージョン情報",
     "about"},
    {ID_FILE_PRINT, "印刷(&P)...", "Ctrl+P", "作業中のドキュメントを印刷\n印刷", nullptr},
    {ID_NEXT_PANE, "次のペイン", "F6", "次のウィンドウ ペインに切り替え\n次のペイン", nullptr},
    {ID_PREV_PANE, "前のペイン", "Shift+F6", "前のウィンドウ ペインに切り替え\n前のペイン", nullptr},
};

QString promptPart(const CommandInfo& command, int part)
{
    return QString::fromUtf8(command.prompt).section(QLatin1Char('\n'), part, part);
}

QList<QKeySequence> shortcutsOf(const CommandInfo& command)
{
    QList<QKeySequence> keys;
    for (const QString& key : QString::fromUtf8(command.keys).split(QStringLiteral("; "), Qt::SkipEmptyParts))
        keys.append(QKeySequence(key, QKeySequence::PortableText));
    return keys;
}

}  // namespace

const CommandInfo* findCommand(int id)
{
    for (const CommandInfo& command : kCommands)
        if (command.id == id)
            return &command;
    return nullptr;
}

QList<int> allCommandIds()
{
    QList<int> ids;
    for (const CommandInfo& command : kCommands)
        ids.append(command.id);
    return ids;
}

QString commandStatusTip(const CommandInfo& command) { return promptPart(command, 0); }

QString commandToolTip(const CommandInfo& command) { return promptPart(command, 1); }

QIcon commandIcon(int id)
{
    const CommandInfo* command = findCommand(id);
    if (!command || !command->icon)
        return QIcon();
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(command->icon)));
}

QAction* makeCommandAction(int id, QObject* parent, WithShortcuts withShortcuts)
{
    const CommandInfo* command = findCommand(id);
    Q_ASSERT(command);
    auto* action = new QAction(QString::fromUtf8(command->text), parent);
    action->setData(id);
    action->setStatusTip(commandStatusTip(*command));
    const QString toolTip = commandToolTip(*command);
    if (!toolTip.isEmpty())
        action->setToolTip(toolTip);
    action->setIcon(commandIcon(id));
    action->setIconVisibleInMenu(false);
    if (withShortcuts == WithShortcuts::Yes)
        action->setShortcuts(shortcutsOf(*command));
    return action;
}

int commandIdOf(const QAction* action) { return action->data().toInt(); }
