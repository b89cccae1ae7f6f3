#pragma once
// The HTML-lite tip of the controls that show an entity's information tip: a balloon owned by
// the control, with the panel image strip and the pale blue background, and one tool over the
// whole control whose text the control fills on request.
class CHtmlToolTip;
class CWnd;

void SetUpEntityTip(CHtmlToolTip& tip, CWnd* owner);
