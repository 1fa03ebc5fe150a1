#include "link/PortStatus.h"

namespace {

using State = PortStatus::State;

QString inUseText(const PortStatus& status, const QString& device, Language language)
{
    if (status.holder.isEmpty())
        return byLanguage(language,
                          "%1 is in use by another program. Close the program that uses it, then try again.",
                          "%1 正被其他程序占用。请关闭使用它的程序后重试。")
            .arg(device);
    const QString holder = status.holderPid > 0 ? byLanguage(language, "%1 (process %2)", "%1（进程 %2）")
                                                      .arg(status.holder, QString::number(status.holderPid))
                                                : status.holder;
    return byLanguage(language, "%1 is in use by another program: %2. Close that program, then try again.",
                      "%1 正被其他程序占用：%2。请关闭该程序后重试。")
        .arg(device, holder);
}

QString noPermissionText(const PortStatus& status, const QString& device, Language language)
{
    if (status.group.isEmpty()) {
        const QString text =
            byLanguage(language, "You have no permission to open %1.", "您没有打开 %1 的权限。").arg(device);
        return status.systemText.isEmpty() ? text : text + QLatin1Char(' ') + status.systemText;
    }
    // The group's members may open it: joining the group is the fix, and a running
    // session only learns of a new group at the next login.
    return byLanguage(language,
                      "You have no permission to open %1. It belongs to the group \"%2\"; add your user "
                      "to that group with\n    sudo usermod -aG %2 %3\nThe change takes effect at your next "
                      "login.",
                      "您没有打开 %1 的权限。该设备属于用户组“%2”，请用以下命令把您的用户加入该组：\n"
                      "    sudo usermod -aG %2 %3\n重新登录后生效。")
        .arg(device, status.group, status.user.isEmpty() ? QStringLiteral("$USER") : status.user);
}

} // namespace

QString portStateWord(const PortStatus& status, Language language)
{
    switch (status.state) {
    case State::Ok:
        return byLanguage(language, "ok", "可用");
    case State::Absent:
        return byLanguage(language, "absent", "不存在");
    case State::InUse:
        return byLanguage(language, "in use", "被占用");
    case State::NoPermission:
        return byLanguage(language, "no permission", "无权限");
    case State::Failed:
        break;
    }
    return byLanguage(language, "error", "错误");
}

QString portStatusText(const PortStatus& status, const QString& device, Language language)
{
    switch (status.state) {
    case State::Ok:
        return byLanguage(language, "%1 can be opened.", "%1 可以打开。").arg(device);
    case State::Absent:
        return byLanguage(language,
                          "%1 is not present (no such device). Check that the cable is plugged in and that "
                          "the right port is chosen.",
                          "%1 不存在（没有此设备）。请检查写频线是否插好、所选端口是否正确。")
            .arg(device);
    case State::InUse:
        return inUseText(status, device, language);
    case State::NoPermission:
        return noPermissionText(status, device, language);
    case State::Failed:
        break;
    }
    return byLanguage(language, "%1 cannot be opened: %2", "%1 无法打开：%2").arg(device, status.systemText);
}
