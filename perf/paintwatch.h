// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

namespace ttt::perf {

// Notices when a watched widget is painted.
class PaintWatch : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void watch(QObject* widget) { widget->installEventFilter(this); }
    void reset() { m_painted = false; }
    bool painted() const { return m_painted; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_painted = false;
};

} // namespace ttt::perf
