// The pictures of the data list windows: the manager, the send windows, the create-table and
// record entry windows, and the main window after a send to labels.
#pragma once

#include "editor/DataListCommands.h"

#include <QString>

#include <functional>

class QWidget;

namespace quill {
class AppFolders;
class CaptionFile;
class MainWindow;
} // namespace quill

namespace screenshots {

using Shoot = std::function<bool(QWidget *window, const QString &path)>;

// Every data list window, shot into the folder out (dbadmin.png, makelabel.png, ...).
bool shootDataListWindows(const quill::CaptionFile &captions, const quill::AppFolders &folders,
    const QString &addressList, const QString &out, const Shoot &shoot);

// The main window's data list services for the send shot: the manager opens addressList,
// selects every record and sends 이름, 우편번호 and 주소 to labels, with no window left open.
quill::DataListServices sendServices(const QString &addressList);

// Empties the current cell, runs a send through the manager and shoots the window with the
// field labels showing the third record (out/edit-datalist.png).
bool shootDataListSend(quill::MainWindow &window, const QString &out, const Shoot &shoot);

} // namespace screenshots
