#pragma once

#include <QString>

namespace paluksen {

// Lines one at a time, without their line ends.
class LineSource {
public:
    virtual ~LineSource() = default;
    virtual bool atEnd() = 0;
    virtual QString readLine() = 0;
};

} // namespace paluksen
