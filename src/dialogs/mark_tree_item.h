#pragma once
// Marks a row of an option tree as refused: a blinking mark beside the row whose tip names the
// problem. The options page and the data import dialog mark every offending row this way before
// one message sums the refusal up.
#include "platform/core/cstring.h"

class COptionTree;
class COptionTreeItem;

void MarkTreeItem(COptionTree& tree, COptionTreeItem* item, const CString& text);
