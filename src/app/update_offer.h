#pragma once
// What the user is told after the update check: when the server has a newer timetable,
// the offer to download it, which hands the package to the browser and ends the program.
#include <functional>

#include "online/update_check.h"
#include "platform/url_opener.h"
#include "platform/user_messages.h"

namespace tavra {

// Asks "已有新版本,是否下载?..." when `check` found a newer version; on Yes opens the
// package's address and calls `endProgram` (status 0). Returns check.result: the caller
// tells "你的版本已是最新!" for 0 and "网络连接失败!" for -1.
int OfferUpdate(const UpdateCheck& check, UserMessages& messages, UrlOpener& opener,
                const std::function<void()>& endProgram);

}  // namespace tavra
