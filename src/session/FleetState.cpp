#include "session/FleetState.h"

QString fleetStateText(FleetState state, Language language)
{
    switch (state) {
    case FleetState::Waiting:
        return byLanguage(language, "waiting for a radio", "等待对讲机");
    case FleetState::Backup:
        return byLanguage(language, "backup", "备份");
    case FleetState::Writing:
        return byLanguage(language, "writing", "写入");
    case FleetState::Verifying:
        return byLanguage(language, "verifying", "校验");
    case FleetState::Remove:
        return byLanguage(language, "done: remove the radio", "完成：请取下对讲机");
    case FleetState::Unavailable:
        return byLanguage(language, "cable not available", "写频线不可用");
    case FleetState::Stopped:
        break;
    }
    return byLanguage(language, "stopped", "已停止");
}
