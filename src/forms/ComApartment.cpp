#include "forms/ComApartment.h"

#include <objbase.h>

namespace forms {

ComApartment::ComApartment() : initialized_(SUCCEEDED(CoInitialize(nullptr))) {}

ComApartment::~ComApartment() {
    if (initialized_) CoUninitialize();
}

}  // namespace forms
