#pragma once

#include "abstractmodulewidget.h"

class EffectActionView;
class EffectGroupListView;
class EffectItemListView;
class QLabel;
class SearchLineEdit;
class XImageBox;

// The voice effects: the group bar over the effect list with its search
// field, and the panel of the effect in force on the right.
class EffectPage : public PageWidget
{
    Q_OBJECT
    Q_DISABLE_COPY(EffectPage)

public:
    explicit EffectPage(QWidget* parent = nullptr);

    EffectGroupListView* groupBar() const { return m_groups; }
    EffectItemListView* effectList() const { return m_list; }
    SearchLineEdit* searchEdit() const { return m_search; }
    EffectActionView* actionView() const { return m_panel; }
    QLabel* emptyText() const { return m_emptyText; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void onGroupClicked(int groupId);
    void onEffectClicked(int groupId, int effectId);
    void onEmptyChanged(bool empty, bool searching);
    // The explicit save, the prompt before a change, the delete.
    void saveEffect();
    void promptSave();
    void deleteEffect();
    void addCustomEffect(bool refreshLater);

    EffectGroupListView* m_groups;
    SearchLineEdit* m_search;
    EffectItemListView* m_list;
    QWidget* m_empty;
    XImageBox* m_emptyPicture;
    QLabel* m_emptyText;
    EffectActionView* m_panel;
};
