// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

enum class TMsgDlgType { mtConfirmation };
enum class TModalResult { mrYes, mrNo };

// The confirmation box: modal and centred, title "Confirm", a question
// icon, "&Yes" (the default, Enter) then "&No" (Escape and the close box).
TModalResult MessageDlg(const QString& message, TMsgDlgType type);
