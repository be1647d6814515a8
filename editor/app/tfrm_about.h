#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace rivetbench::app {

class UiSounds;

// TfrmAbout: "About Rivetbench", 332 x 166, centred on the main window, modeless; OK or Esc hide it.
class TfrmAbout : public QDialog {
    Q_OBJECT
  public:
    explicit TfrmAbout(UiSounds* sounds, QWidget* parent = nullptr);
    static QString versionText(double version); // "Version : 1.0"

  protected:
    void showEvent(QShowEvent* event) override;    // FormShow: builds the version text
    void keyPressEvent(QKeyEvent* event) override; // FormKeyDown: Esc = OK

  private:
    void btnOKClick();
    UiSounds* sounds_;
    QLabel* versionLabel_;
};

// TfrmSplash: a borderless 360 x 90 picture, centred on the primary screen.
class TfrmSplash : public QWidget {
    Q_OBJECT
  public:
    explicit TfrmSplash(QWidget* parent = nullptr);

  protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace rivetbench::app
