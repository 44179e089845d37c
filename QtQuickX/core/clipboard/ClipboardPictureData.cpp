#include "ClipboardPictureData.h"

ClipboardPictureData::ClipboardPictureData(QObject *parent)
    : QObject(parent)
{ }

ClipboardPictureData::ClipboardPictureData(const QUrl &url, const QSize &size)
    : m_size(size)
    , m_url(url)
{ }
