#pragma once

#include "PainterPathElement.h"

#include <QPointer>

// A guarded, non-owning reference to a path element whose invalidation and destruction are
// routed to one slot of the holder.
class WatchedPathElement
{
public:
    PainterPathElement *get() const { return m_element; }
    operator PainterPathElement *() const { return m_element; }
    PainterPathElement *operator->() const { return m_element; }

    // Answers whether the reference changed.
    template<typename Receiver>
    bool reset(PainterPathElement *element, Receiver *receiver, void (Receiver::*slot)())
    {
        if (m_element == element)
            return false;
        if (m_element)
            m_element->disconnect(receiver);
        m_element = element;
        if (m_element) {
            QObject::connect(m_element, &PainterPathElement::invalidated, receiver, slot);
            QObject::connect(m_element, &QObject::destroyed, receiver, slot);
        }
        return true;
    }

private:
    QPointer<PainterPathElement> m_element;
};
