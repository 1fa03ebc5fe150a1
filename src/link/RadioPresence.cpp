#include "link/RadioPresence.h"

#include "link/CloneHandshake.h"

namespace RadioPresence {

Result check(SerialLine& line, const QString& device)
{
    Result result;
    if (!line.open(device)) {
        result.answer = Answer::PortError;
        result.portError = line.errorString();
        return result;
    }
    line.clear(SerialLine::Clear::AbortAndBuffers);
    if (CloneHandshake::wakeUp(line)) {
        const CloneHandshake::Identification id = CloneHandshake::identify(line);
        result.answer = id.matches ? Answer::Radio : Answer::OtherRadio;
        result.variantByte = id.variantByte;
    }
    line.close();
    return result;
}

} // namespace RadioPresence
