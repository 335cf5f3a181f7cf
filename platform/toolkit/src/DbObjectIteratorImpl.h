// Kestrin drawing toolkit (private).
// The iterator behind newIterator() and vertexIterator(): walks a list of the container's
// objects taken when the iterator was made, and keeps the container alive meanwhile.
#pragma once

#include "DbObjectIterator.h"
#include "RxObjectImpl.h"

#include <vector>

class OdDbListIterator : public OdDbObjectIterator {
public:
    /* Parameters:
         pContainer - [in] the owner of the objects; the iterator holds a reference.
         objects    - [in] the objects in order.
    */
    OdDbListIterator(const OdDbObject* pContainer, std::vector<OdDbObject*> objects)
        : m_pContainer(pContainer), m_objects(std::move(objects)) {}

    void start() override { m_index = 0; }
    bool done() const override { return m_index >= m_objects.size(); }
    void step() override {
        if (!done()) {
            ++m_index;
        }
    }
    OdDbObjectId objectId() const override {
        return done() ? OdDbObjectId::kNull : m_objects[m_index]->objectId();
    }
    OdDbEntityPtr entity(OdDb::OpenMode openMode) override;

private:
    OdDbObjectPtr m_pContainer;         // kept alive while walked
    std::vector<OdDbObject*> m_objects; // owned by the container
    std::size_t m_index = 0;
};

/* Description:
     Makes an iterator over a container's list of counted pointers.
*/
template <class TPtr>
OdDbObjectIteratorPtr odtkNewListIterator(const OdDbObject* pContainer,
                                          const std::vector<TPtr>& first,
                                          const std::vector<OdDbObject*>& rest = {}) {
    std::vector<OdDbObject*> objects;
    objects.reserve(first.size() + rest.size());
    for (const TPtr& pObject : first) {
        objects.push_back(pObject.get());
    }
    objects.insert(objects.end(), rest.begin(), rest.end());
    return OdRxObjectImpl<OdDbListIterator, OdDbObjectIterator>::createObject(pContainer,
                                                                              std::move(objects));
}
