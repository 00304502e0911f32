// The about box: the program's name and version and a link to its home page.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace orvane {

// The address the link shows and opens.
QString HomePageAddress();

class TfmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfmAbout(QWidget *parent = nullptr);

    QLabel *lbVersion = nullptr;
    QLabel *lbHomepage = nullptr;
    QPushButton *btOK = nullptr;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

void ShowAboutDialog(QWidget *parent);

} // namespace orvane
