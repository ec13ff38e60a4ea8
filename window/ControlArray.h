#pragma once

#include "runtime/RunError.h"

#include <QPointer>

#include <cstdint>
#include <functional>
#include <map>

namespace quorvex {

// Controls that share a name and differ by index. Elements are owned by their Qt parent;
// the array only finds them. Asking for a missing element is a run-time error.
template <typename Control> class ControlArray {
public:
    using Copier = std::function<Control*(const Control& original, std::int16_t index)>;

    ControlArray(Control& first, Copier copier) : copier_(std::move(copier)) {
        elements_[0] = &first;
    }

    Control& operator[](std::int16_t index) const {
        const auto found = elements_.find(index);
        if (found == elements_.end() || found->second.isNull())
            throw rt::RunError::noSuchElement();
        return *found->second;
    }

    /* index not yet loaded; the new element is a hidden copy of element 0 */
    Control& load(std::int16_t index) {
        if (elements_.contains(index))
            throw rt::RunError::elementExists();
        Control* element = copier_((*this)[0], index);
        element->hide();
        elements_[index] = element;
        return *element;
    }

    std::int16_t count() const { return static_cast<std::int16_t>(elements_.size()); }

private:
    Copier copier_;
    std::map<std::int16_t, QPointer<Control>> elements_;
};

} // namespace quorvex
