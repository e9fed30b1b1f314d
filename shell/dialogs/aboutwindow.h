// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "picturewindow.h"

class QVariantAnimation;

namespace ttt {

// The About window: the version over a picture, and a web address that slides
// into view below it after a double-click on a hidden spot. It is only hidden
// when closed, so it keeps its height between openings.
class AboutWindow : public PictureWindow
{
    Q_OBJECT

public:
    static constexpr int SlideDistance = 20;      // pixels the window grows to show the address
    static constexpr int SlideMilliseconds = 200; // how long the slide takes

    // `art` must outlive the window.
    explicit AboutWindow(const Artwork& art, QWidget* parent = nullptr);

    // Keeps the window shut or slid open, as it was, at the new scale.
    void setScale(qreal scale) override;

public slots:
    void thankYou() { close(); }

private:
    void setUpWindow();
    void addButton();
    void addLabels();
    void addHotspot();
    void slide();
    int shutHeight() const;
    int openHeight() const;

    int m_firstHeight = 0;
    QVariantAnimation* m_slide = nullptr;
};

} // namespace ttt
