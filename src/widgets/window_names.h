#pragma once

#include <QStringView>

namespace velmora::widgets {

// The objectNames of the windows that the program opens, finds or closes by
// name.
inline constexpr QStringView kComPortWindow = u"frmCompoort";
inline constexpr QStringView kDecoderWindow = u"frmDecoder_informatie";
inline constexpr QStringView kUserEditorWindow = u"frmGebruiker";
inline constexpr QStringView kOverviewWindow = u"frmOverzicht";
inline constexpr QStringView kProgrammeServiceWindow = u"frmProgramma";
inline constexpr QStringView kRadiotextWindow = u"frmRadiotekst";
inline constexpr QStringView kPiWindow = u"frmPi";
inline constexpr QStringView kLiveWindow = u"frmLive";
inline constexpr QStringView kVerificationWindow = u"frmControle";
inline constexpr QStringView kMessageWindow = u"frmWaarschuwing";

} // namespace velmora::widgets
