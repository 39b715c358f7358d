#pragma once
// Trappable runtime errors. Every failure of the non-GUI layer surfaces as a
// RuntimeError carrying the classic error number, so program code can keep
// its "On Error" style handling as a catch on Number().

#include <stdexcept>
#include <string>

namespace vb {

class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(int number);
    RuntimeError(int number, std::string description);

    int Number() const { return number_; }
    const std::string& Description() const { return description_; }

private:
    int number_;
    std::string description_;
};

// The runtime's message for an error number; unknown numbers get the generic
// "Application-defined or object-defined error".
std::string ErrorText(int number);

}  // namespace vb
