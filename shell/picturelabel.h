// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "art/artwork.h"

#include <QWidget>

namespace ttt {

// Shows one of the game's pictures, drawn at the screen's scale when it is first
// painted, so that building the window renders nothing; with a caption, written large
// across its middle in the player's language (the outcome banners carry no words).
class PictureLabel : public QWidget
{
    Q_OBJECT

public:
    PictureLabel(const Artwork& artwork, Artwork::Picture picture, QWidget* parent = nullptr);

    Artwork::Picture picture() const { return m_picture; }
    void setPicture(Artwork::Picture picture);
    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const Artwork& m_artwork;
    Artwork::Picture m_picture;
    QString m_caption;
};

} // namespace ttt
