// The style picker: every theme the program offers, previewed on selection and stored on OK.
#pragma once

#include <QDialog>

class QListWidget;
class QPushButton;

namespace orvane {

class TfmStyles : public QDialog
{
    Q_OBJECT

public:
    explicit TfmStyles(QWidget *parent = nullptr);

    QListWidget *lbStyles = nullptr;
    QPushButton *btProgramDefault = nullptr;
    QPushButton *btWindowsDefault = nullptr;
    QPushButton *btOK = nullptr;
    QPushButton *btCancel = nullptr;

    // Anything but OK applies the stored style again, undoing the preview.
    void done(int result) override;

private:
    void SelectStyle(const QString &name);
    void okClicked();
};

// Opens the style picker modally.
void ShowStylesDialog(QWidget *parent);

} // namespace orvane
