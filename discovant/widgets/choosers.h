#pragma once

#include "discovant/cddb/lookupui.h"

#include <QDialog>

class QListWidget;
class QPushButton;
class QCloseEvent;

namespace discovant::widgets {

// A modal window that lets the user pick one line of a list (lstList, cmdSelect). The caller
// adds the lines, then GetSelection shows the window and gives the 1-based position of the
// chosen line: Select gives the selected line (0 when none is selected); closing the window
// any other way keeps 1, the first line.
class ListChooserWindow : public QDialog {
    Q_OBJECT

public:
    void clear();
    void AddItem(const QString& line);
    QListWidget& list() { return *list_; }
    QPushButton& selectButton() { return *select_; }

protected:
    explicit ListChooserWindow(QWidget* parent);
    int runModal(const PopUpSettings& popUp);
    // Result of the button that closes the window.
    void finishWith(int position);

    QListWidget* list_;
    QPushButton* select_;

private:
    int position_ = 1;
};

// frmFuzzyMatch: several or inexact matches of a query; cmdSubmit answers "no match".
class FuzzyMatchWindow : public ListChooserWindow {
    Q_OBJECT

public:
    explicit FuzzyMatchWindow(QWidget* parent = nullptr);
    // With submission not enabled, only one wide select button is shown.
    int GetSelection(bool submitEnabled, const PopUpSettings& popUp);
    QPushButton& submitButton() { return *submit_; }

private:
    QPushButton* submit_;
};

// frmServerSites: the mirror sites of the server.
class ServerSitesWindow : public ListChooserWindow {
    Q_OBJECT

public:
    explicit ServerSitesWindow(QWidget* parent = nullptr);
    int GetSelection(const PopUpSettings& popUp);
};

} // namespace discovant::widgets
