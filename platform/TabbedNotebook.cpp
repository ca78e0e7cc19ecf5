// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/TabbedNotebook.h"

#include <QTabBar>

TTabbedNotebook::TTabbedNotebook(QWidget* parent)
    : TWidget<QTabWidget>(parent)
{}

TTabPage* TTabbedNotebook::addPage(const QString& caption)
{
    auto* page = new TTabPage(this);
    addTab(page, caption);
    return page;
}

TTabPage* TTabbedNotebook::page(int index) const
{
    return dynamic_cast<TTabPage*>(QTabWidget::widget(index));
}

void TTabbedNotebook::setTabFont(const QFont& font)
{
    tabBar()->setFont(font);
}
