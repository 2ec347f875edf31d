// A property write when memory runs short: the allocation fails inside the conversion or the
// control, and the wrapper still throws nothing.
#include <QSignalSpy>
#include <atomic>
#include <cstdlib>
#include <new>

#include "QtCalButtonFixture.h"

namespace {

// Every operator new of this test program goes through here; an allocation larger than the
// budget fails as it would on a machine out of memory.
std::atomic<size_t> largestAllocation{SIZE_MAX};

}  // namespace

void* operator new(size_t size) {
    if (size > largestAllocation.load()) throw std::bad_alloc();
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, size_t) noexcept { std::free(memory); }

namespace VemoCalendar {
namespace {

struct MemoryBudget {
    explicit MemoryBudget(size_t bytes) { largestAllocation = bytes; }
    ~MemoryBudget() { largestAllocation = SIZE_MAX; }
};

TEST_F(QtCalButtonTest, AWriteThatRunsOutOfMemoryIsRefusedAndKeepsTheOldValue) {
    ASSERT_TRUE(button_->setCaption("Due"));
    ASSERT_TRUE(button_->setPicture(QImage(2, 2, QImage::Format_ARGB32)));
    const QImage oldPicture = button_->Picture();
    QSignalSpy refused(button_, &QvCalButtonWidget::propertyRefused);
    bool pictureSet = true;
    {
        const MemoryBudget budget(64 * 1024);
        EXPECT_NO_THROW(button_->setProperty("Caption", QString(1 << 20, 'x')));
        QImage large(1000, 1000, QImage::Format_ARGB32);  // Qt's own pixels are not ours to count
        large.fill(Qt::red);
        EXPECT_NO_THROW(pictureSet = button_->setPicture(large));
    }
    EXPECT_FALSE(pictureSet);
    EXPECT_EQ(button_->Caption(), "Due");
    EXPECT_EQ(button_->Picture(), oldPicture);
    ASSERT_EQ(refused.count(), 2);
    for (const QList<QVariant>& args : refused) {
        EXPECT_EQ(args[1].toInt(), 7);
        EXPECT_EQ(args[2].toString(), "Out of memory");
    }
    EXPECT_EQ(refused[0][0].toString(), "Caption");
    EXPECT_EQ(refused[1][0].toString(), "Picture");
}

}  // namespace
}  // namespace VemoCalendar
