#pragma once

#include <QPixmap>
#include <QWidget>

// Shows an image scaled smoothly into its rectangle, keeping the aspect ratio
// and centred, with optional rounded corners. Assistive tools read it as a
// graphic named by its accessible name.
class XImageBox : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(XImageBox)

public:
    explicit XImageBox(QWidget* parent = nullptr);

    void setImage(const QString& path);
    void setPixmap(const QPixmap& pixmap);
    QPixmap pixmap() const;
    void setRadius(int radius);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap m_pixmap;
    int m_radius = 0;
};
