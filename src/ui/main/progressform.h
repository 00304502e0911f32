// The "Please Wait ..." window that long operations show while the rest of the program is disabled.
#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;

namespace orvane {

// Fixed size, no system buttons: the user cannot close it; the operation that showed it does.
class TProgressForm : public QDialog
{
    Q_OBJECT

public:
    explicit TProgressForm(QWidget *parent = nullptr);

    QLabel *TaskLabel;
    QProgressBar *ProgressBar;

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace orvane
