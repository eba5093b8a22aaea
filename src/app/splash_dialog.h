// The about window: program name and version; closes by itself after three seconds.
#pragma once

#include <QDialog>

namespace murcad::app {

/// Centred on the screen; closes after 3000 ms or at once on a click.
class SplashDialog : public QDialog {
    Q_OBJECT
public:
    explicit SplashDialog(QWidget *parent = nullptr, int closeAfterMs = 3000);

protected:
    void mousePressEvent(QMouseEvent *) override;
    void paintEvent(QPaintEvent *) override;
};

} // namespace murcad::app
