#include "app/run_status.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>

RunStatus::RunStatus(QWidget* parent)
    : QWidget(parent), bar_(new QProgressBar(this)), cancel_(new QPushButton(QStringLiteral("中止"), this))
{
    bar_->setRange(0, 100);
    bar_->setFormat(QStringLiteral("解析中 %p%"));
    bar_->setMinimumWidth(160);
    cancel_->setToolTip(QStringLiteral("解析を中止します (Esc)"));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    layout->addWidget(cancel_);
    connect(cancel_, &QPushButton::clicked, this, &RunStatus::cancelRequested);
    hide();
}

void RunStatus::showProgress()
{
    bar_->setValue(0);
    show();
}

void RunStatus::setPercent(int percent) { bar_->setValue(percent); }
