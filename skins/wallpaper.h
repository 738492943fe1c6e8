// Setting the desktop wallpaper and the icon-text background.
#pragma once

void MakeIconTextTransparent();
