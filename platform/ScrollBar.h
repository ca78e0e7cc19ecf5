// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "platform/Control.h"

#include <QScrollBar>

enum class TScrollCode {
    scLineUp,
    scLineDown,
    scPageUp,
    scPageDown,
    scPosition,
    scTrack,
    scTop,
    scBottom,
    scEndScroll
};

using TScrollEvent = std::function<void(QObject* sender, TScrollCode code, int& scrollPos)>;

// A horizontal channel bar: arrows step 1, the trough and PageUp/PageDown
// 16, Home and End go to the ends; with the focus it shows a focus mark.
// OnScroll runs for every user action and once more
// when the interaction ends (scEndScroll); setPosition() never runs it.
// During OnScroll position() already holds the proposed level, so read-outs
// follow the thumb at once; a handler may change scrollPos to override it.
class TScrollBar : public TWidget<QScrollBar> {
public:
    explicit TScrollBar(QWidget* parent);

    int min() const { return minimum(); }
    int max() const { return maximum(); }
    void setMin(int min) { setMinimum(min); }
    void setMax(int max) { setMaximum(max); }
    int position() const { return value(); }
    void setPosition(int position);

    TScrollEvent OnScroll;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void onAction(int action);
    void notify(TScrollCode code, int proposed);
    bool interacting_ = false;
};
