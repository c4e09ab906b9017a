#pragma once

#include "settings/settings_schema.h"

#include <QMetaType>

// A settings key as a column of a Qt Test table.
Q_DECLARE_METATYPE(const velmora::settings::Key*)
