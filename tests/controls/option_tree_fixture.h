#pragma once
// An option tree on a host window that records the tree's notifications, with the English
// pack current so that the tree's texts and pictures load.
#include <gtest/gtest.h>

#include <vector>

#include "controls/option_tree.h"
#include "language_pack_fixture.h"
#include "platform/ui/test_support.h"
#include "test_host.h"

class OptionTreeTest : public EnglishPackTest {
protected:
    void SetUp() override {
        EnglishPackTest::SetUp();
        host = std::make_unique<TestHost>(460, 420);
        host->onNotify = [this](NMHDR* hdr) -> LRESULT {
            const int code = static_cast<int>(hdr->code);
            if (code <= -1101 && code >= -1110) {
                notifications.push_back(code);
                items.push_back(reinterpret_cast<NMOPTIONTREE*>(hdr)->otiItem);
            }
            for (int refused : refuse)
                if (refused == code) return 1;
            return 0;
        };
        tree = std::make_unique<COptionTree>();
        ASSERT_TRUE(tree->Create(WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, CRect(0, 0, 420, 380), host.get(), 101,
                                 0x19));
        tree->SetNotify(1, host.get());
        tree->SetColumnWidth(150);
    }
    void TearDown() override {
        tree.reset();
        host.reset();
        EnglishPackTest::TearDown();
    }

    template <class Item>
    Item* Add(COptionTreeItem* parent, const wchar_t* label, const wchar_t* info = L"") {
        auto* item = new Item;
        tree->InsertItem(parent, item);
        item->SetLabel(label);
        item->SetInfoText(info);
        return item;
    }
    // The notifications since the last call, without the insertions.
    std::vector<int> TakeNotifications() {
        std::vector<int> codes;
        for (int c : notifications)
            if (c != -1101) codes.push_back(c);
        notifications.clear();
        items.clear();
        return codes;
    }
    // The client point in the middle of a row's label or value cell.
    CPoint LabelPoint(COptionTreeItem* item) const {
        return CPoint(60, item->GetContentY() - tree->GetScrollPosition() + 8);
    }
    CPoint ValuePoint(COptionTreeItem* item) const {
        return CPoint(tree->GetColumnWidth() + 40, item->GetContentY() - tree->GetScrollPosition() + 8);
    }
    COptionTreeList& List() { return tree->GetList(); }
    void Key(int qtKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        vorn_test::KeyPress(&List(), qtKey, QString(), modifiers);
    }

    std::unique_ptr<TestHost> host;
    std::unique_ptr<COptionTree> tree;
    std::vector<int> notifications;
    std::vector<COptionTreeItem*> items;
    std::vector<int> refuse;
};
