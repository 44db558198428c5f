#include "album.h"

#include "testimages.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

TEST(Album, ListOperationsKeepOrderAndTellTheView)
{
    Album album;
    QSignalSpy inserted(&album, &QAbstractItemModel::rowsInserted);
    QSignalSpy changed(&album, &QAbstractItemModel::dataChanged);

    const QImage a = SolidImage(qRgb(1, 1, 1)), b = SolidImage(qRgb(2, 2, 2)), c = SolidImage(qRgb(3, 3, 3));
    album.append(a);
    album.append(c);
    album.insert(1, b);
    EXPECT_EQ(inserted.count(), 3);
    ASSERT_EQ(album.count(), 3);
    EXPECT_EQ(album.image(1), b);
    EXPECT_EQ(album.data(album.index(2), Album::ImageRole).value<QImage>(), c);

    album.exchange(0, 2);
    EXPECT_EQ(album.image(0), c);
    EXPECT_EQ(album.image(2), a);
    EXPECT_EQ(changed.count(), 2);

    album.remove(1);
    EXPECT_EQ(album.count(), 2);
    EXPECT_EQ(album.image(1), a);
    album.remove(5); // out of range: nothing
    album.removeAll();
    EXPECT_EQ(album.count(), 0);
}

TEST(Album, PasswordSignalOnlyOnRealChange)
{
    Album album;
    QSignalSpy spy(&album, &Album::passwordTextChanged);
    album.setPasswordText(QStringLiteral("12"));
    album.setPasswordText(QStringLiteral("12"));
    album.setPasswordText(QString());
    album.setPasswordText(QString());
    EXPECT_EQ(spy.count(), 2);
}
