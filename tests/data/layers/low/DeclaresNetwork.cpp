// A rules file that reaches Qt Network without its header: it declares the
// class's function itself and calls it.
class QNetworkRequest;
class QNetworkReply;
class QNetworkAccessManager {
public:
    QNetworkReply* get(const QNetworkRequest& request);
};

QNetworkReply* FetchFromARule(QNetworkAccessManager* manager, const QNetworkRequest& request)
{
    return manager->get(request);
}
