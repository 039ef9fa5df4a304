#pragma once
// COM for the main thread, single-threaded apartment, for the life of the application. It is
// uninitialised only when the initialisation succeeded (S_FALSE, "already initialised", counts).
namespace forms {

class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialized_;
};

}  // namespace forms
