// The whole dialog framework.
#ifndef APP_FRAMEWORK_H
#define APP_FRAMEWORK_H

#include <AppFramework/AfxString.h>
#include <AppFramework/AfxMsgMap.h>
#include <AppFramework/AfxWnd.h>
#include <AppFramework/AfxDialog.h>
#include <AppFramework/AfxApp.h>

#endif // APP_FRAMEWORK_H
