#pragma once

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The error window: a short notice with the report folded away behind "Details >>".
class ErrorWindow : public QDialog {
    Q_OBJECT
public:
    ErrorWindow(const QString& report, const QString& caption, const QString& label,
                QWidget* parent = nullptr);

    bool detailsShown() const;

private:
    void toggleDetails();
    int collapsedHeight() const;

    QLabel* lblError_;
    QPlainTextEdit* txtError_;
    QPushButton* cmdDetails_;
    QPushButton* cmdOK_;
    QLabel* picImage_;
};
