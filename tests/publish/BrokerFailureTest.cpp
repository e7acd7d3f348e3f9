// What the broker can do to the publisher: not be there, go away and come back, turn the
// password down, or present a certificate it does not trust.

#include "tests/publish/PublisherTestSupport.h"

#include "tests/support/BuiltProgram.h"

namespace {

class BrokerFailureTest : public PublisherTest {};

// A certificate authority and a server certificate for 127.0.0.1 signed by it, made by openssl
// in the broker's folder; the file names are those the broker's TLS listener reads.
void MakeCertificates(const TLocalBroker &broker)
{
    const auto make = [&](const QString &name, const QString &subject, const QStringList &extra) {
        const TProgramRun made = RunProgram(
            "openssl", QStringList{"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256", "-nodes",
                                   "-days", "2", "-subj", subject, "-keyout", broker.FilePath(name + ".key"), "-out",
                                   broker.FilePath(name + ".crt")} + extra);
        ASSERT_EQ(made.ExitCode, 0) << made.Errors.toStdString();
    };
    make("ca", "/CN=Test CA", {"-addext", "basicConstraints=critical,CA:TRUE"});
    make("server", "/CN=127.0.0.1",
         {"-CA", broker.FilePath("ca.crt"), "-CAkey", broker.FilePath("ca.key"), "-addext", "subjectAltName=IP:127.0.0.1"});
}

} // namespace

TEST_F(BrokerFailureTest, ReadingsWaitWhileTheBrokerIsAwayAndArriveInOrderOnceItIsBack)
{
    // The broker keeps its consumer's session on disk, so that what comes while the consumer
    // is still reconnecting after a restart waits for it.
    TLocalBroker broker({"persistence true", "autosave_interval 1", "autosave_on_changes true"});
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {"zeltar/meter/reading"}, false);
    ASSERT_TRUE(consumer.WaitSubscribed());
    // Stopped cleanly, the broker keeps the subscription for certain.
    broker.Stop();

    TMqttPublisher &publisher = MakePublisher(LocalOptions(broker.Port()));
    publisher.Start();
    ASSERT_TRUE(WaitForState(TBrokerState::Unreachable));
    EXPECT_EQ(States.back().second,
              QString("broker not reachable at 127.0.0.1:%1 (Connection refused)").arg(broker.Port()));
    PublishReadings(0, 10);
    EXPECT_EQ(publisher.QueuedReadings(), 10u);

    ASSERT_TRUE(broker.Start());
    ASSERT_TRUE(WaitForState(TBrokerState::Connected));
    ASSERT_TRUE(WaitForCount(consumer, "zeltar/meter/reading", 10));
    PublishReadings(10, 20);
    ASSERT_TRUE(WaitForCount(consumer, "zeltar/meter/reading", 20));
    // Acknowledgements are read when the network thread next wakes: wait for them all.
    ASSERT_TRUE(QTest::qWaitFor([&] { return Publisher->QueuedReadings() == 0; }, 5000));

    // Readings on their way when the broker dies, never acknowledged, go out again, before
    // those that come while it is away.
    broker.Pause();
    PublishReadings(20, 30);
    QTest::qWait(200);
    EXPECT_EQ(Publisher->QueuedReadings(), 10u);
    broker.Kill();
    ASSERT_TRUE(WaitForState(TBrokerState::Lost));
    EXPECT_EQ(States.back().second, "broker lost");
    PublishReadings(30, 40);
    // Long enough for attempts at 50, 100 and 200 ms to fail.
    QTest::qWait(400);
    ASSERT_TRUE(broker.Start());
    const auto arrived = [&] { return FirstArrivals(ReceivedTimes(consumer.PayloadsOn("zeltar/meter/reading"))); };
    ASSERT_TRUE(QTest::qWaitFor([&] { return arrived().size() == 40; }, 8000));

    EXPECT_EQ(arrived(), SentTimes(0, 40));
    // The failed attempts while the broker was away said nothing more.
    EXPECT_EQ(StateSequence(),
              (std::vector<TBrokerState>{TBrokerState::Unreachable, TBrokerState::Connected, TBrokerState::Lost,
                                         TBrokerState::Connected}));
}

TEST_F(BrokerFailureTest, TheRightPasswordIsLetInAndAWrongOneIsReportedOnceWhileTheAttemptsGoOn)
{
    TLocalBroker authenticating({"allow_anonymous false", "password_file {dir}/passwords"});
    ASSERT_EQ(
        RunProgram("mosquitto_passwd", {"-b", "-c", authenticating.FilePath("passwords"), "meter", "s3cret=!"}).ExitCode,
        0);
    ASSERT_TRUE(authenticating.Start());
    TTestClient consumer(authenticating.Port(), {"zeltar/+/reading"}, true, {"meter", "s3cret=!"});
    ASSERT_TRUE(consumer.WaitSubscribed());

    TPublishOptions options = LocalOptions(authenticating.Port());
    options.User = "meter";
    options.Password = "s3cret=!";
    MakePublisher(options).Start();
    PublishReadings(0, 3);
    ASSERT_TRUE(WaitForCount(consumer, "zeltar/meter/reading", 3));
    EXPECT_EQ(StateSequence(), std::vector<TBrokerState>{TBrokerState::Connected});
    Publisher->Stop();

    States.clear();
    options.MeterId = "wrong";
    options.Password = "guess";
    TMqttPublisher &refused = MakePublisher(options);
    refused.Start();
    refused.Publish(NumberedReading(0));
    // The broker logs each attempt once: three attempts, and one state told.
    ASSERT_TRUE(QTest::qWaitFor([&] { return authenticating.Log().count("not authorised") >= 3; }, 5000));
    ASSERT_TRUE(WaitForState(TBrokerState::Refused));
    QTest::qWait(0);
    ASSERT_EQ(States.size(), 1u);
    EXPECT_EQ(States.front().second, "broker refused the user name or password");
    EXPECT_EQ(refused.QueuedReadings(), 1u);
    EXPECT_TRUE(consumer.PayloadsOn("zeltar/wrong/reading").empty());
}

TEST_F(BrokerFailureTest, TlsWorksWithTheCaFileAndACertificateNotTrustedIsOneTlsFailure)
{
    const std::uint16_t tlsPort = FreeLocalPort();
    TLocalBroker broker({ListenerLine(tlsPort), "cafile {dir}/ca.crt", "certfile {dir}/server.crt",
                          "keyfile {dir}/server.key"});
    ASSERT_NO_FATAL_FAILURE(MakeCertificates(broker));
    ASSERT_TRUE(broker.Start());
    TTestClient consumer(broker.Port(), {"zeltar/+/reading"});
    ASSERT_TRUE(consumer.WaitSubscribed());

    TPublishOptions options = LocalOptions(tlsPort);
    options.Tls = true;
    options.CaFile = broker.FilePath("ca.crt");
    MakePublisher(options).Start();
    PublishReadings(0, 3);
    ASSERT_TRUE(WaitForCount(consumer, "zeltar/meter/reading", 3));
    EXPECT_EQ(ReceivedTimes(consumer.PayloadsOn("zeltar/meter/reading")), SentTimes(0, 3));
    Publisher->Stop();

    // The system's authorities do not know the test's own.
    States.clear();
    options.MeterId = "untrusting";
    options.CaFile.clear();
    MakePublisher(options).Start();
    PublishReadings(0, 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return broker.Log().count(QString("on port %1").arg(tlsPort)) >= 5; }, 5000));
    ASSERT_TRUE(WaitForState(TBrokerState::TlsFailed));
    QTest::qWait(0);
    ASSERT_EQ(States.size(), 1u);
    EXPECT_EQ(States.front().second, "TLS failure with the broker: certificate verify failed");

    States.clear();
    options.CaFile = broker.FilePath("missing.crt");
    MakePublisher(options).Start();
    ASSERT_TRUE(WaitForState(TBrokerState::TlsFailed));
    EXPECT_EQ(States.front().second, "TLS failure with the broker: the CA file " + options.CaFile + " cannot be read");
    EXPECT_TRUE(consumer.PayloadsOn("zeltar/untrusting/reading").empty());
}
