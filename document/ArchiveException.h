#pragma once

#include <stdexcept>
#include <string>

// The one exception that crosses our code: a course file that cannot be read,
// or a course that cannot be written as one. It ends Serialize at once; the
// document shell catches it and reports the failed open or save. what() is a
// plain-words reason without the file name, such as "it ends before its last
// cell".
class CArchiveException : public std::runtime_error {
public:
    enum Cause {
        endOfFile,   // read past the end of the data
        badHeader,   // the sizes in the header are impossible
        tooLarge,    // the sizes are possible but more than we can hold
        nothingToStore,  // storing: the content would make no file we can read
    };

    CArchiveException(Cause cause, const std::string& reason)
        : std::runtime_error(reason), m_cause(cause) {}

    Cause GetCause() const { return m_cause; }

private:
    Cause m_cause;
};
