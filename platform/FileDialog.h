// SPDX-FileCopyrightText: 2026 The Huewise team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Qt's own file dialog, run modally. Filter is written "Description|*.ext";
// a name typed without an extension gets DefaultExt. FileName is offered at
// each opening and takes the chosen file's full name on confirmation only.
class TFileDialog : public QObject {
public:
    void setFilter(const QString& filter) { filter_ = filter; }
    void setDefaultExt(const QString& extension) { defaultExt_ = extension; }
    QString fileName() const { return fileName_; }
    void setFileName(const QString& fileName) { fileName_ = fileName; }

    bool Execute();

protected:
    enum class Kind { Open, Save };
    TFileDialog(QWidget* owner, Kind kind);

private:
    QWidget* owner_;
    Kind kind_;
    QString filter_;
    QString defaultExt_;
    QString fileName_;
};

// Accepts the name of a file that does not exist yet.
class TOpenDialog : public TFileDialog {
public:
    explicit TOpenDialog(QWidget* owner)
        : TFileDialog(owner, Kind::Open)
    {}
};

// Replaces an existing file without asking.
class TSaveDialog : public TFileDialog {
public:
    explicit TSaveDialog(QWidget* owner)
        : TFileDialog(owner, Kind::Save)
    {}
};
