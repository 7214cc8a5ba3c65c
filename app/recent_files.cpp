#include "app/recent_files.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QMenu>

#include "app/app_settings.h"

namespace {

const char kGroup[] = "Recent File List";
constexpr int kShownPathWidth = 480;

QString entryKey(int index) { return QStringLiteral("File%1").arg(index + 1); }

// "&1 /home/user/step.bn3", long paths shortened in the middle, an "&" in a name kept.
QString entryText(int index, const QString& path, const QFontMetrics& metrics)
{
    QString shown = metrics.elidedText(QDir::toNativeSeparators(path), Qt::ElideMiddle, kShownPathWidth);
    shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2").arg(index + 1).arg(shown);
}

}  // namespace

RecentFiles::RecentFiles(QMenu* menu, QAction* before, QObject* parent) : QObject(parent)
{
    for (int i = 0; i < kEntryCount; ++i) {
        auto* entry = new QAction(menu);
        entry->setObjectName(QStringLiteral("RecentFile%1").arg(i + 1));
        connect(entry, &QAction::triggered, this, [this, i] {
            if (i < paths_.size())
                emit openRequested(paths_.at(i));
        });
        menu->insertAction(before, entry);
        entries_.append(entry);
    }
    separator_ = menu->insertSeparator(before);

    auto settings = openAppSettings();
    settings->beginGroup(QLatin1String(kGroup));
    for (int i = 0; i < kEntryCount; ++i) {
        const QString path = settings->value(entryKey(i)).toString();
        if (!path.isEmpty() && !paths_.contains(path))
            paths_.append(path);
    }
    settings->endGroup();
    showEntries();
}

void RecentFiles::add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    paths_.removeAll(absolute);
    paths_.prepend(absolute);
    while (paths_.size() > kEntryCount)
        paths_.removeLast();
    store();
    showEntries();
}

void RecentFiles::remove(const QString& path)
{
    if (paths_.removeAll(path) == 0)
        return;
    store();
    showEntries();
}

void RecentFiles::setEnabled(bool enabled)
{
    for (QAction* entry : entries_)
        entry->setEnabled(enabled);
}

void RecentFiles::store() const
{
    auto settings = openAppSettings();
    settings->beginGroup(QLatin1String(kGroup));
    settings->remove(QString());
    for (int i = 0; i < paths_.size(); ++i)
        settings->setValue(entryKey(i), paths_.at(i));
    settings->endGroup();
}

// Without recent files the menu shows neither entries nor their separator.
void RecentFiles::showEntries()
{
    for (int i = 0; i < kEntryCount; ++i) {
        QAction* entry = entries_.at(i);
        const bool used = i < paths_.size();
        entry->setVisible(used);
        entry->setText(used ? entryText(i, paths_.at(i), QFontMetrics(entry->font())) : QString());
        entry->setStatusTip(used ? QDir::toNativeSeparators(paths_.at(i)) : QString());
    }
    separator_->setVisible(!paths_.isEmpty());
}
