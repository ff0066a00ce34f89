// An output stream buffer over one of the tool's standard streams that remembers why a write
// failed, so that the tool can say so instead of ending as if all had been written.
#pragma once

#include <streambuf>
#include <string>

namespace quire::cli {

class OutputBuffer : public std::streambuf {
public:
    // The system's description of the first write that failed, or the empty text. After a
    // failure nothing more is written and the stream reports the failure to its writer.
    virtual std::string ErrorText() const = 0;
};

}  // namespace quire::cli
